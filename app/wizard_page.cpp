#include "app/wizard_page.h"

#include "app/page_mover.h"
#include "res/messages.h"

#include "win/text.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

constexpr std::array<int, kMeasuredFonts> kPointFonts = {220, 150, 110, 100}; // A to D

} // namespace

CWizardPage::CWizardPage(CPageMover& mover, UINT templateId, std::span<const RunTimeControl> layout,
                         std::initializer_list<BoldFontSpec> boldFonts)
    : CDialog(templateId), m_mover(mover), m_layout(layout), m_boldFonts(boldFonts) {
    for (const RunTimeControl& row : m_layout) {
        if (row.kind == ControlKind::kButton)
            m_owned.push_back(std::make_unique<CColorButton>());
        else
            m_owned.push_back(std::make_unique<CColorStatic>());
        m_controls.push_back(m_owned.back().get());
    }
}

void CWizardPage::BindControl(int name, CColorControl& control) {
    const std::size_t row = RowOf(name);
    m_owned[row].reset();
    m_controls[row] = &control;
}

std::size_t CWizardPage::RowOf(int name) const {
    const auto row = std::ranges::find(m_layout, name, &RunTimeControl::name);
    if (row == m_layout.end())
        throw std::out_of_range("no row named " + std::to_string(name) + " in the page's layout");
    return static_cast<std::size_t>(row - m_layout.begin());
}

bool CWizardPage::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CREATE:
        result = OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    }
    return CDialog::ProcessMessage(message, wParam, lParam, result);
}

LRESULT CWizardPage::OnCreate(CREATESTRUCTW* create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(create)) == -1)
        return -1;
    const RECT client = GetClientRect();
    for (int slot = 0; slot < kMeasuredFonts; ++slot) {
        m_fonts[slot].CreatePointFont(kPointFonts[slot], kPageFace);
        const TEXTMETRICW metrics = MeasureFont(m_hWnd, m_fonts[slot]);
        m_measured[slot] = {metrics.tmAveCharWidth, metrics.tmHeight};
    }
    for (const BoldFontSpec& bold : m_boldFonts)
        m_fonts[bold.slot].CreateFontIndirect(BoldFont(bold.height, bold.face));

    LayoutInput input{static_cast<double>(client.right), static_cast<double>(client.bottom), 0,
                      m_measured};
    for (std::size_t row = 0; row < m_layout.size(); ++row) {
        const RunTimeControl& control = m_layout[row];
        const std::wstring text =
            control.text != 0 ? win::LoadResourceString(control.text) : std::wstring();
        input.textLength = win::AnsiLength(text);
        input.textWidth = TextWidth(control, text);
        const PixelRect place = Place(control, input);
        CreatePageControl(*m_controls[row], *this, text, control.style,
                          {place.left, place.top, place.right, place.bottom},
                          static_cast<UINT>(control.id), m_fonts[control.font], control.colour);
    }
    return 0;
}

int CWizardPage::TextWidth(const RunTimeControl& control, const std::wstring& text) const {
    if (text.empty())
        return 0;
    const CFont& font = m_fonts[control.font];
    int width = TextExtent(m_hWnd, font.GetSafeHandle(), text).cx;
    // A radio button's text follows its circle and a gap of about a character.
    if (control.kind == ControlKind::kButton && (control.style & BS_TYPEMASK) != BS_GROUPBOX)
        width += ::GetSystemMetrics(SM_CXMENUCHECK) + MeasureFont(m_hWnd, font).tmAveCharWidth;
    return width;
}

CWizardPage::Busy::~Busy() {
    if (--m_page.m_nestedLoops == 0 && !m_page.IsBusy())
        m_page.m_mover.OnPageFree(m_page);
}

bool CWizardPage::CommitToWorkingSettings(const SettingsExchange& dx) {
    if (dx.Commit(m_run->working))
        return true;
    MessageBoxA(kSettingsTooLongText, kErrorCaption, MB_ICONEXCLAMATION);
    return false;
}

void CWizardPage::OnPaint() {
    PaintPage(m_hWnd, kPageColour);
}
