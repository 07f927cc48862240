#pragma once
// TRIVELON_TEXT(context, text) marks a text a person reads, written in
// Russian, the source language. In the code it is the text itself, so the
// constant data stays constant; lupdate gathers it into translations/*.ts
// (it is given to lupdate as an alias of QT_TRANSLATE_NOOP), and the windows
// and the command line show it in the player's language through
// qt_text/translated.h.
#define TRIVELON_TEXT(context, text) text
