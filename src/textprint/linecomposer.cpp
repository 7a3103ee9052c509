#include "textprint/linecomposer.h"

#include "startup/masks.h"

LineComposer& LineComposer::operator<<(const QString& text) {
  text_ += text;
  column_ += text.size();
  return *this;
}

LineComposer& LineComposer::operator<<(const Value& value) { return *this << renderPlain(value); }

LineComposer& LineComposer::operator<<(Tab tab) {
  const int n = tab.n < 1 ? 1 : tab.n;
  if (column_ > n) {
    endLine();
    *this << QString(n - 1, ' ');
  } else if (column_ < n) {
    *this << QString(n - column_, ' ');
  }
  return *this;
}

void LineComposer::endLine() {
  text_ += QStringLiteral("\r\n");
  column_ = 1;
}

int centreColumn(int width, int length) { return roundHalfEven((width - length) / 2.0); }
