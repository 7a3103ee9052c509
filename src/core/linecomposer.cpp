#include "core/linecomposer.h"

#include "core/masks.h"

namespace {

// One character of the output per character of the text: composed accents
// become the code page's single letters, and a character outside the basic
// plane (which the code page lacks) becomes one '?', not two.
QString printable(const QString& text) {
  bool plain = true;
  for (QChar c : text)
    if (c.unicode() >= 0x300) {
      plain = false;
      break;
    }
  if (plain) return text;
  QString s = text.normalized(QString::NormalizationForm_C);
  for (qsizetype i = 0; i + 1 < s.size(); ++i)
    if (s[i].isHighSurrogate() && s[i + 1].isLowSurrogate()) s.replace(i, 2, QStringLiteral("?"));
  return s;
}

}  // namespace

QString blankControls(const QString& text) {
  QString s = text;
  for (QChar& c : s)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
  return s;
}

void LineComposer::append(const QString& s) {
  text_ += s;
  column_ += static_cast<int>(s.size());
}

LineComposer& LineComposer::operator<<(const QString& text) {
  const QString s = printable(text);
  append(controls_ == Controls::Blank ? blankControls(s) : s);
  return *this;
}

LineComposer& LineComposer::operator<<(const Command& command) {
  append(command.bytes);
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

Command controlBytes(std::initializer_list<unsigned char> bytes) {
  Command c;
  for (unsigned char b : bytes) c.bytes += QChar(b);
  return c;
}

int centreColumn(int width, int length) { return roundHalfEven((width - length) / 2.0); }
