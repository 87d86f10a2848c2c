// A fixture that opens Form1 as the runtime builds it from the program's
// embedded window description, shows it headless
// with the generator scripted and the error reporter captured, and grabs
// what the window shows.
#pragma once

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "errors.h"
#include "form1.h"
#include "program.h"
#include "form_window.h"
#include "random.h"

namespace tarvel::testing {

// A generator that gives the values it was given, in turn, and counts.
class ScriptedRandom final : public runtime::RandomSource {
 public:
  explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
  void Reseed(std::uint64_t) override { ++reseeds; }
  double Next() override {
    ++draws;
    return values_.empty() ? 0.0 : values_[static_cast<std::size_t>(draws - 1) % values_.size()];
  }
  int reseeds = 0;
  int draws = 0;

 private:
  std::vector<double> values_;
};

// Where Form1's design places a control in the client area, in pixels at
// 96 dpi.
QRect Designed(std::string_view name, std::optional<std::int16_t> index = std::nullopt);
inline const QRect kSlot = Designed("Image2", 20);
inline const QRect kPastry = Designed("Image1");
inline const QRect kGreeting = Designed("Image4");
inline const QRect kTree = Designed("Image3");
inline const QRect kHeading = Designed("Label1");
inline const QRect kButton = Designed("Command1");

class Form1Window : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens and shows the window through a program header that names this
  // window header (Form1's by default).
  void Open(const runtime::WindowHeader& header);
  // What opening the window with this header gives.
  static std::variant<std::unique_ptr<runtime::qt::FormWindow>, runtime::RuntimeError> TryOpen(const runtime::WindowHeader& header);
  static runtime::WindowHeader Form1Entry();

  Form1& form() const { return static_cast<Form1&>(window_->instance().form()); }
  runtime::qt::FormWindow* widget() const { return window_.get(); }
  runtime::qt::ButtonWindow* button() const;
  runtime::ImageControl* Member(std::int16_t index) const;
  runtime::ImageControl* Single(int id) const;
  // The window as shown now, in RGB.
  QImage Grab() const;
  // What the frame shows with the picture scaled into it over `under`.
  static QImage PictureOver(const QImage& under, const QRect& frame, const runtime::Picture& picture);
  // What the slot must show over `before` once the card is drawn.
  QImage SlotWithCard(const QImage& before, std::int16_t card) const;

  std::unique_ptr<runtime::qt::FormWindow> window_;
  ScriptedRandom* random_ = nullptr;
  std::vector<runtime::RuntimeError> reported_;
};

}  // namespace tarvel::testing
