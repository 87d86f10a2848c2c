// Font resolution.
#include "fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>
#include <future>
#include <utility>

namespace runtime::qt {

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

// The family to draw a stored face with, looked up once per face.
QString FamilyFor(const FontSpec& spec) {
  const QString stored = QString::fromStdString(spec.name);
  return HasFamily(stored, spec.charset) ? stored : FallbackFamily();
}

std::future<void>& Warming() {
  static std::future<void> warming;
  return warming;
}

std::shared_future<void>& Configuring() {
  static std::shared_future<void> configuring;
  return configuring;
}

}  // namespace

void LoadFontConfiguration() {
  if (!Configuring().valid()) Configuring() = std::async(std::launch::async, [] { FcInit(); }).share();
}

void WarmFonts(std::vector<FontSpec> specs) {
  // Two loads of the configuration at once would each do all the work.
  Warming() = std::async(std::launch::async, [specs = std::move(specs), configuring = Configuring()] {
    if (configuring.valid()) configuring.wait();
    for (const FontSpec& spec : specs) (void)FamilyFor(spec);
  });
}

QFont MakeFont(const FontSpec& spec) {
  if (Warming().valid()) Warming().get();
  QFont font(FamilyFor(spec));
  font.setPointSizeF(spec.points);
  font.setWeight(static_cast<QFont::Weight>(spec.weight));
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  font.setStrikeOut(spec.strikeout);
  return font;
}

}  // namespace runtime::qt
