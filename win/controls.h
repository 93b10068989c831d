#pragma once
// The standard controls the windows use, each a handle and the messages sent to it.
#include "win/wnd.h"

#include <string>
#include <string_view>

class CDialog;

// Creates a child control of `parent` at run time; the control object loses its
// handle when the parent's window goes.
BOOL CreateChildControl(CWnd& control, const wchar_t* className, const std::wstring& text,
                        DWORD style, const RECT& rect, CDialog& parent, UINT id);

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void LimitText(int characters) { SendMessage(EM_LIMITTEXT, characters); }
};

// An edit box for 8-bit text in code page 936, as the arrays keep it, whose
// typing limit counts those bytes, not characters: 16 bytes are 16 ASCII
// characters or 8 Chinese ones. The parent hands it its EN_CHANGE; a change
// that goes past the limit, typed or pasted, is undone. Text the program puts
// there is shown whole, as it is: typing alone obeys the box's style
// (ES_LOWERCASE).
class CAnsiLimitEdit : public CEdit {
public:
    void SetByteLimit(int bytes);
    // Shows `bytes` as code page 936 spells them.
    void SetBytes(std::string_view bytes);
    // The text as code-page-936 bytes. While it is still the text SetBytes
    // showed, the very bytes it was given: bytes that no text spells (a
    // stray lead byte, a name set in UTF-8 through the array's web page) do
    // not survive the way back from the text, and a value nobody touched
    // must go back as it came.
    std::string GetBytes() const;
    void OnChange();

private:
    void ShowWhole(const std::wstring& text);

    int m_limit = 0;
    std::wstring m_accepted;
    DWORD m_acceptedSelection = 0;
    std::string m_loadedBytes;
    std::wstring m_loadedText;
};

class CListBox : public CWnd {
public:
    int AddString(const std::wstring& text) {
        return static_cast<int>(
            SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
};

class CComboBox : public CWnd {
public:
    int AddString(const std::wstring& text) {
        return static_cast<int>(
            SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
};
