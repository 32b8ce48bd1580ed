// _() gives a text in the user's language, from the catalog loaded at
// start-up (or the text itself: the texts are written in Japanese). The
// program's texts are wide literals, which the toolkit's own _() refuses
// here; wxTRANSLATE marks a text translated where it is used.
#pragma once

#include <wx/translation.h>

#undef _
#define _(text) wxGetTranslation((text))
