#pragma once
// What the four wizard pages share: the page colour painted behind everything,
// point fonts A to D measured on the page, the page's bold fonts, and its
// run-time controls made from its layout table when the window is created.
#include "app/page_frame.h"
#include "app/page_layout.h"
#include "core/settings/settings_exchange.h"
#include "core/setup/wizard_run.h"
#include "win/dialog.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

struct BoldFontSpec {
    FontSlot slot;
    int height; // pixels
    const wchar_t* face;
};

class CPageMover;

class CWizardPage : public CDialog {
public:
    CWizardPage(CPageMover& mover, UINT templateId, std::span<const RunTimeControl> layout,
                std::initializer_list<BoldFontSpec> boldFonts);

    // The run the page's window was made for; null on step 1.
    const std::shared_ptr<WizardRun>& Run() const { return m_run; }
    void SetRun(std::shared_ptr<WizardRun> run) { m_run = std::move(run); }

    // While a nested loop of the page's own runs (a message box, a
    // confirmation, the password window) or the page waits for an array, its
    // window is the user's business: a move into the page waits until that
    // has ended, then goes on (CWizard).
    bool IsBusy() const { return m_nestedLoops > 0 || WaitsForArray(); }

protected:
    // Held by a handler that may enter a nested loop, for as long as it runs.
    // When the last one ends and the page waits for no array, the move that
    // waited for the page goes on.
    class Busy {
    public:
        explicit Busy(CWizardPage& page) : m_page(page) { ++m_page.m_nestedLoops; }
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        CWizardPage& m_page;
    };
    virtual bool WaitsForArray() const { return false; }

    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The control of the layout table's row named `name`.
    CColorControl& Control(int name) { return *m_controls[RowOf(name)]; }
    // Makes `control`, a member of the page, the control of row `name`, as
    // DDX_Control binds a template's control: for a page that works it as its
    // own type. In the page's constructor, before any window is made.
    void BindControl(int name, CColorControl& control);

    // Stores the page's values into its run's working settings whole, or says
    // that they would not fit and stores none of them: half of them would
    // still go to the array.
    bool CommitToWorkingSettings(const SettingsExchange& dx);

    std::shared_ptr<WizardRun> m_run;

private:
    // -1 refuses the window, as for any WM_CREATE.
    LRESULT OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    int TextWidth(const RunTimeControl& control, const std::wstring& text) const;
    // A name the table lacks is a fault of the page's code: it throws.
    std::size_t RowOf(int name) const;

    CPageMover& m_mover;
    std::span<const RunTimeControl> m_layout;
    std::vector<BoldFontSpec> m_boldFonts;
    std::array<CFont, kFontSlots> m_fonts;
    std::array<FontMeasure, kMeasuredFonts> m_measured{};
    // One of each per row: the control the page made, none where the row is bound.
    std::vector<std::unique_ptr<CColorControl>> m_owned;
    // One per row: the page's own or a bound member.
    std::vector<CColorControl*> m_controls;
    int m_nestedLoops = 0;
};
