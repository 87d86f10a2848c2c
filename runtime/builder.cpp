// Records to controls. Every value comes from the record; a setting that
// the record does not store keeps the platform control's default.
#include "builder.h"

#include <map>
#include <utility>

namespace runtime {

namespace {

// A record that the builder cannot make a control of; caught by
// BuildWindow, which returns it as the BuildError.
struct Refusal {
  std::string message;
};

template <class T>
std::optional<T> Get(const Record& record, Prop prop) {
  const Property* p = record.Find(prop);
  if (p == nullptr) return std::nullopt;
  if (const T* value = std::get_if<T>(&p->value)) return *value;
  return std::nullopt;
}

// A byte or boolean setting read as a truth value.
std::optional<bool> Flag(const Record& record, Prop prop) {
  const Property* p = record.Find(prop);
  if (p == nullptr) return std::nullopt;
  if (const bool* b = std::get_if<bool>(&p->value)) return *b;
  if (const std::uint8_t* u = std::get_if<std::uint8_t>(&p->value)) return *u != 0;
  return std::nullopt;
}

// A one-byte setting with the named values 0 to last.
template <class E>
std::optional<E> Named(const Record& record, Prop prop, E last, const char* what) {
  const auto value = Get<std::uint8_t>(record, prop);
  if (!value) return std::nullopt;
  if (*value > static_cast<std::uint8_t>(last))
    throw Refusal{record.name + ": " + what + " " + std::to_string(*value) + " is none of 0 to " +
                  std::to_string(static_cast<int>(last))};
  return static_cast<E>(*value);
}

FontSpec MakeFont(const FontValue& f) {
  FontSpec font;
  font.name = f.name;
  font.points = static_cast<double>(f.size) / 10000.0;
  font.weight = f.weight;
  font.charset = f.charset;
  // The style byte's bits, as the platform's font description orders them.
  font.italic = (f.style & 0x02) != 0;
  font.underline = (f.style & 0x04) != 0;
  font.strikeout = (f.style & 0x08) != 0;
  return font;
}

void FillBase(const Record& record, ControlBase& base) {
  base.name = record.name;
  base.id = record.id;
  base.index = record.index;
  if (auto e = Get<Extent>(record, Prop::Extent)) base.extent = *e;
  if (auto v = Flag(record, Prop::Visible)) base.visible = *v;
  if (auto t = Get<std::int16_t>(record, Prop::TabIndex)) base.tabIndex = *t;
}

FormSettings MakeSettings(const Record& r) {
  FormSettings s;
  s.name = r.name;
  if (auto v = Get<std::string>(r, Prop::Caption)) s.caption = *v;
  if (auto v = Get<Colour>(r, Prop::BackColor)) s.backColor = *v;
  if (auto v = Get<Colour>(r, Prop::ForeColor)) s.foreColor = *v;
  if (auto v = Named(r, Prop::BorderStyle, BorderStyle::SizableToolWindow, "the border style")) s.borderStyle = *v;
  if (auto v = Flag(r, Prop::MaxButton)) s.maxButton = *v;
  if (auto v = Flag(r, Prop::MinButton)) s.minButton = *v;
  if (auto v = Get<Extent>(r, Prop::ClientExtent)) s.client = *v;
  if (auto v = Flag(r, Prop::ShowInTaskbar)) s.showInTaskbar = *v;
  if (auto v = Named(r, Prop::StartUpPosition, StartUpPosition::Default, "the start-up position"))
    s.startUpPosition = *v;
  return s;
}

// What a button and a label share: their caption, colours and font.
template <class Control>
void FillText(const Record& r, Control& c) {
  if (auto v = Get<std::string>(r, Prop::Caption)) c.caption = *v;
  if (auto v = Get<Colour>(r, Prop::BackColor)) c.backColor = *v;
  if (auto v = Get<Colour>(r, Prop::ForeColor)) c.foreColor = *v;
  if (auto v = Get<FontValue>(r, Prop::Font)) c.font = MakeFont(*v);
}

Ref<ButtonControl> MakeButton(const Record& r) {
  auto b = Make<ButtonControl>();
  FillBase(r, b->base);
  FillText(r, *b);
  if (auto v = Named(r, Prop::Style, ButtonStyle::Graphical, "the button style")) b->style = *v;
  return b;
}

Ref<LabelControl> MakeLabel(const Record& r) {
  auto l = Make<LabelControl>();
  FillBase(r, l->base);
  FillText(r, *l);
  if (auto v = Named(r, Prop::BackStyle, BackStyle::Opaque, "the back style")) l->backStyle = *v;
  return l;
}

Ref<ImageControl> MakeImage(const Record& r) {
  auto image = Make<ImageControl>();
  FillBase(r, image->base);
  if (auto v = Flag(r, Prop::Stretch)) image->stretch = *v;
  if (auto file = Get<std::span<const std::uint8_t>>(r, Prop::Picture)) {
    auto picture = Make<PictureObject>(*file);
    image->put_Picture(picture.get());
  }
  return image;
}

// The window's table holds plain objects.
template <class T>
Ref<Object> AsObject(const Ref<T>& control) {
  return Ref<Object>::Share(control.get());
}

std::string Called(const Record& r) {
  std::string what = r.name.empty() ? "a record" : r.name;
  // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict in
  // the operator+ of a literal and a temporary string (GCC bug 105329).
  if (r.index) {
    what += '(';
    what += std::to_string(*r.index);
    what += ')';
  }
  return what;
}

// Builds the window's settings and controls, or throws the Refusal.
WindowModel Build(const Description& d, Form& form) {
  if (d.window.type != ControlType::Form || d.window.id != 0) throw Refusal{"the first record is not a window"};
  WindowModel model;
  model.settings = MakeSettings(d.window);

  // What stands under each id so far: its name and, for an array, the array.
  struct Seen {
    std::string name;
    Ref<ImageArray> array;
  };
  std::map<int, Seen> seen;

  for (const Record& r : d.children) {
    if (r.id == 0) throw Refusal{Called(r) + ": a control with the window's id 0"};
    auto [slot, fresh] = seen.try_emplace(r.id, Seen{r.name, {}});
    if (slot->second.name != r.name)
      throw Refusal{Called(r) + ": id " + std::to_string(r.id) + " already names " + slot->second.name};
    if (!fresh && !r.index) throw Refusal{Called(r) + ": a second control under id " + std::to_string(r.id)};

    switch (r.type) {
      case ControlType::CommandButton:
      case ControlType::Label: {
        if (r.index) throw Refusal{Called(r) + ": only images can form a control array"};
        if (r.type == ControlType::CommandButton) {
          auto b = MakeButton(r);
          model.stacking.emplace_back(b.get());
          form.SetControl(r.id, AsObject(b));
        } else {
          auto l = MakeLabel(r);
          model.stacking.emplace_back(l.get());
          form.SetControl(r.id, AsObject(l));
        }
        break;
      }
      case ControlType::Image: {
        auto image = MakeImage(r);
        model.stacking.emplace_back(image.get());
        if (!r.index) {
          form.SetControl(r.id, AsObject(image));
          break;
        }
        if (fresh) {
          slot->second.array = Make<ImageArray>();
          form.SetControl(r.id, AsObject(slot->second.array));
        } else if (!slot->second.array) {
          throw Refusal{Called(r) + ": an array member under the id of a single control"};
        }
        if (slot->second.array->Member(*r.index) != nullptr)
          throw Refusal{Called(r) + ": a second member with the same index"};
        slot->second.array->Add(*r.index, std::move(image));
        break;
      }
      case ControlType::Form:
      default:
        throw Refusal{Called(r) + ": not a control type that a window holds"};
    }
  }
  return model;
}

}  // namespace

std::variant<WindowModel, BuildError> BuildWindow(const Description& d, Form& form) {
  try {
    return Build(d, form);
  } catch (const Refusal& refusal) {
    return BuildError{refusal.message};
  }
}

}  // namespace runtime
