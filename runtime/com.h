// Counted objects, statuses and interface identifiers: the object model that
// the runtime, its controls and the program's own code share.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <utility>

namespace runtime {

// The 32-bit status that every call on a control returns; below zero is a
// failure, zero and above a success.
using Status = std::int32_t;

constexpr Status S_OK = 0;
constexpr Status Failure(std::uint32_t code) { return static_cast<Status>(code); }
constexpr Status E_NOTIMPL = Failure(0x80004001u);
constexpr Status E_NOINTERFACE = Failure(0x80004002u);
constexpr Status E_POINTER = Failure(0x80004003u);
constexpr Status E_FAIL = Failure(0x80004005u);
constexpr Status E_OUTOFMEMORY = Failure(0x8007000Eu);
constexpr Status E_INVALIDARG = Failure(0x80070057u);
constexpr Status DISP_E_PARAMNOTFOUND = Failure(0x80020004u);
constexpr Status DISP_E_TYPEMISMATCH = Failure(0x80020005u);
constexpr Status DISP_E_OVERFLOW = Failure(0x8002000Au);
constexpr Status DISP_E_BADINDEX = Failure(0x8002000Bu);

// A status in the control facility (0x800A) carries a run-time error number
// in its low 16 bits.
constexpr Status ControlError(std::uint16_t number) {
  return Failure(0x800A0000u | number);
}

constexpr bool Failed(Status s) { return s < 0; }

// An interface identifier, held as its fields; Bytes() gives the stored
// order (a 32-bit value, two 16-bit values, eight single bytes).
struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::uint8_t data4[8] = {};

  friend bool operator==(const Guid&, const Guid&) = default;
  std::string ToString() const;  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
};

constexpr Guid kNullGuid{};

// Every object of the runtime is reference-counted.
class Object {
 public:
  virtual std::uint32_t AddRef() = 0;
  virtual std::uint32_t Release() = 0;

 protected:
  virtual ~Object() = default;
};

// The counting for one interface: a new object holds one reference, owned by
// whoever made it; the last Release deletes it.
template <class Interface>
class Counted : public Interface {
 public:
  std::uint32_t AddRef() override { return ++count_; }
  std::uint32_t Release() override {
    const std::uint32_t left = --count_;
    if (left == 0) delete this;
    return left;
  }
  std::uint32_t RefCount() const { return count_; }

 protected:
  using Interface::Interface;

 private:
  std::uint32_t count_ = 1;
};

// An owning reference for code outside the draw action, which keeps its
// references by hand in reference variables.
template <class T>
class Ref {
 public:
  Ref() = default;
  static Ref Adopt(T* p) { Ref r; r.p_ = p; return r; }
  static Ref Share(T* p) { if (p) p->AddRef(); return Adopt(p); }
  Ref(const Ref& o) : p_(o.p_) { if (p_) p_->AddRef(); }
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  Ref& operator=(Ref o) noexcept { std::swap(p_, o.p_); return *this; }
  ~Ref() { if (p_) p_->Release(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Hands out a new counted reference, owned by the receiver.
  T* Give() const { if (p_) p_->AddRef(); return p_; }

 private:
  T* p_ = nullptr;
};

template <class T, class... Args>
Ref<T> Make(Args&&... args) {
  return Ref<T>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace runtime
