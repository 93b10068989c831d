#pragma once
// What the four wizard pages share: the page colour painted behind everything,
// point fonts A to D measured on the page, the page's bold fonts, and its
// run-time controls made from its layout table when the window is created.
#include "app/page_frame.h"
#include "app/page_layout.h"
#include "app/wizard_run.h"
#include "messaging/settings_exchange.h"
#include "win/dialog.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

inline constexpr wchar_t kSettingsTooLongText[] =
    L"Settings are too long! An array takes at most 999 characters; nothing was changed.";

struct BoldFontSpec {
    FontSlot slot;
    int height; // pixels
    const wchar_t* face;
};

class CWizard;

class CWizardPage : public CDialog {
public:
    CWizardPage(CWizard& wizard, UINT templateId, std::span<const RunTimeControl> layout,
                std::initializer_list<BoldFontSpec> boldFonts);

    // The run the page's window was made for; null on step 1.
    const std::shared_ptr<WizardRun>& Run() const { return m_run; }
    void SetRun(std::shared_ptr<WizardRun> run) { m_run = std::move(run); }

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The control of row `row` of the layout table.
    CColorControl& Control(int row) { return *m_controls[row]; }

    // Stores the page's values into its run's working settings whole, or says
    // that they would not fit and stores none of them: half of them would
    // still go to the array.
    bool CommitToWorkingSettings(const SettingsExchange& dx);

    CWizard& m_wizard;
    std::shared_ptr<WizardRun> m_run;

private:
    // -1 refuses the window, as for any WM_CREATE.
    LRESULT OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    int TextWidth(const RunTimeControl& control, const std::wstring& text) const;

    std::span<const RunTimeControl> m_layout;
    std::vector<BoldFontSpec> m_boldFonts;
    std::array<CFont, kFontSlots> m_fonts;
    std::array<FontMeasure, kMeasuredFonts> m_measured{};
    std::vector<std::unique_ptr<CColorControl>> m_controls;
};
