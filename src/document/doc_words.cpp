// The document window's words.
#include "document/doc_words.h"

LONG GetDocWord(HWND document, DocWord word) {
  return document ? GetWindowLongA(document, word) : 0;
}

void SetDocWord(HWND document, DocWord word, LONG value) {
  if (document) SetWindowLongA(document, word, value);
}
