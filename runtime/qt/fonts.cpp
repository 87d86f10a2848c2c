// Font resolution.
#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace vb::qt {

namespace {

constexpr int kCyrillicCharset = 204;
constexpr const char* kFallbackFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

bool HasFamily(const QString& family, int charset) {
  if (!QFontDatabase::families().contains(family)) return false;
  if (charset != kCyrillicCharset) return true;
  return QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic);
}

// The fallback family, registered from its file once.
const QString& FallbackFamily() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFallbackFile));
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                              : families.front();
  }();
  return family;
}

}  // namespace

QFont MakeFont(const FontSpec& spec) {
  const QString stored = QString::fromStdString(spec.name);
  QFont font(HasFamily(stored, spec.charset) ? stored : FallbackFamily());
  font.setPointSizeF(spec.points);
  font.setWeight(static_cast<QFont::Weight>(spec.weight));
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  font.setStrikeOut(spec.strikeout);
  return font;
}

}  // namespace vb::qt
