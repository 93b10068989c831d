#include "tests/gui/password_stand_in.h"

#include "pages/search_page.h"

INT_PTR g_passwordAnswer = IDOK;
int g_passwordChecks = 0;

INT_PTR RunPasswordCheck() {
    ++g_passwordChecks;
    return g_passwordAnswer;
}
