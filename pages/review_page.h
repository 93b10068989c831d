#pragma once
// Wizard step 4: the reported and the new values side by side, and the save.
#include "app/exchange_host.h"
#include "app/wizard_page.h"
#include "pages/page_layouts.h"

#include <string>

class CWizard;

class CReviewPage : public CWizardPage, private ExchangeClient {
public:
    explicit CReviewPage(CWizard& wizard);

protected:
    BOOL OnInitDialog() override;
    void OnButtonClicked(WORD id) override;
    void OnTimer(UINT_PTR id) override;

private:
    void OnSave();
    void OnBack();
    void OnAnswer(const Reply& reply, Answer answer) override;
    void OnExpiry() override;
    // A save that ended before any array could answer.
    void EndUnsent();
    void Close(const CWindowWatch& self);
    bool WaitsForArray() const override { return m_host.Waiting(); }
    // The seven values of `settings` into `column`.
    void ShowColumn(const ReviewColumn& column, const std::string& settings);
    // The new column's date and time, as the save would send them now.
    void ShowRunningClock();

    CExchangeHost m_host;
    CWizard& m_wizard;
};
