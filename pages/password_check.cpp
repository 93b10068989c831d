#include "pages/search_page.h"

INT_PTR RunPasswordCheck() {
    return IDOK;
}
