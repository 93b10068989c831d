#pragma once
// The common controls the windows use: progress bar, IP address, date and time.
#include "win/wnd.h"

#include <commctrl.h>

class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetStep(int step) { SendMessage(PBM_SETSTEP, step); }
    int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
    // Advances by the step, wrapping past the upper bound; gives the position before.
    int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
};

class CIPAddressCtrl : public CWnd {
public:
    void SetAddress(BYTE first, BYTE second, BYTE third, BYTE fourth) {
        SendMessage(IPM_SETADDRESS, 0, MAKEIPADDRESS(first, second, third, fourth));
    }
    void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }
    // Blank fields read as 0; gives the number of fields that are not blank.
    int GetAddress(BYTE& first, BYTE& second, BYTE& third, BYTE& fourth) const {
        DWORD address = 0;
        const int filled =
            static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
        first = static_cast<BYTE>(FIRST_IPADDRESS(address));
        second = static_cast<BYTE>(SECOND_IPADDRESS(address));
        third = static_cast<BYTE>(THIRD_IPADDRESS(address));
        fourth = static_cast<BYTE>(FOURTH_IPADDRESS(address));
        return filled;
    }
};

class CDateTimeCtrl : public CWnd {
public:
    // False when the control refuses the time (an invalid date among them).
    bool SetTime(const SYSTEMTIME& time) {
        return SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
    }
    DWORD GetTime(SYSTEMTIME& time) const {
        return static_cast<DWORD>(
            SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)));
    }
};
