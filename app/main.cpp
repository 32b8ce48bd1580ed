#include "app/myApp.h"

wxIMPLEMENT_APP(myApp);
