// Test doubles of the control array, its image members and their pictures.
// Every call lands in one shared log, and any logged call can be made to
// fail with a chosen status, so a test sees exactly what the draw action did;
// every release lands in the log's list of releases, and a reference count
// that the test names is noted at every call on a control.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "controls.h"
#include "random.h"

namespace fakes {

struct Log {
  std::vector<std::string> calls;
  std::vector<std::string> released;  // "Image2", "Member(i)", "Picture(card)"
  std::string failOn;          // the call that fails, e.g. "Item(7)"
  int failOccurrence = 1;      // on its first, second, ... occurrence
  runtime::Status failWith = runtime::E_FAIL;
  std::function<std::uint32_t()> watch;  // a reference count noted at every call
  std::vector<std::uint32_t> watched;   // what it was at each call

  // Records a call and gives the status it returns.
  runtime::Status Call(std::string call) {
    const bool fail = call == failOn && Occurrences(call) + 1 == failOccurrence;
    if (watch) watched.push_back(watch());
    calls.push_back(std::move(call));
    return fail ? failWith : runtime::S_OK;
  }
  int Occurrences(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call ? 1 : 0;
    return n;
  }
};

class FakePicture : public runtime::Counted<runtime::Picture> {
 public:
  FakePicture(Log& log, int card) : log_(log), card_(card) {}
  std::uint32_t Release() override {
    log_.released.push_back("Picture(" + std::to_string(card_) + ")");
    return Counted::Release();
  }
  std::span<const std::uint8_t> File() const override { return {}; }
  int card() const { return card_; }

 private:
  Log& log_;
  int card_;
};

class FakeImage : public runtime::Counted<runtime::Image> {
 public:
  FakeImage(Log& log, int index) : log_(log), index_(index) {}
  ~FakeImage() override { if (picture_) picture_->Release(); }
  std::uint32_t Release() override {
    log_.released.push_back("Member(" + std::to_string(index_) + ")");
    return Counted::Release();
  }

  runtime::Status put_Visible(bool visible) override {
    const runtime::Status s = log_.Call("Visible(" + std::to_string(index_) + ")");
    if (s >= 0) visible_ = visible;
    return s;
  }
  runtime::Status get_Picture(runtime::Picture** picture) override {
    const runtime::Status s = log_.Call("GetPicture(" + std::to_string(index_) + ")");
    if (s >= 0) {
      if (picture_) picture_->AddRef();
      *picture = picture_;
    }
    return s;
  }
  runtime::Status put_Picture(runtime::Picture* picture) override {
    const runtime::Status s = log_.Call("PutPicture(" + std::to_string(index_) + ")");
    if (s >= 0) {
      if (picture) picture->AddRef();
      if (picture_) picture_->Release();
      picture_ = picture;
    }
    return s;
  }

  bool visible() const { return visible_; }
  runtime::Picture* picture() const { return picture_; }
  void SetPicture(runtime::Picture* p) { put_Picture(p); log_.calls.pop_back(); }

 private:
  Log& log_;
  int index_;
  bool visible_ = true;
  runtime::Picture* picture_ = nullptr;
};

class FakeArray : public runtime::Counted<runtime::ControlArray> {
 public:
  explicit FakeArray(Log& log) : log_(log) {}
  ~FakeArray() override { for (auto* m : members_) m->Release(); }

  // Each fetch of the array through the window counts it up once.
  std::uint32_t AddRef() override {
    log_.calls.push_back("Image2");
    return Counted::AddRef();
  }
  std::uint32_t Release() override {
    log_.released.push_back("Image2");
    return Counted::Release();
  }
  runtime::Status Item(std::int16_t index, runtime::Image** member) override {
    const runtime::Status s = log_.Call("Item(" + std::to_string(index) + ")");
    if (s >= 0) {
      members_.at(static_cast<std::size_t>(index))->Counted::AddRef();
      *member = members_.at(static_cast<std::size_t>(index));
    }
    return s;
  }

  void Add(FakeImage* member) { members_.push_back(member); }
  FakeImage& member(int i) { return *members_.at(static_cast<std::size_t>(i)); }

 private:
  Log& log_;
  std::vector<FakeImage*> members_;
};

// A generator whose values the test sets; it logs its reseeds and draws.
class FakeRandom : public runtime::RandomSource {
 public:
  FakeRandom(Log& log, double value) : log_(log), value_(value) {}
  void Reseed(std::uint64_t) override { log_.calls.push_back("Reseed"); }
  double Next() override {
    log_.calls.push_back("Next");
    return value_;
  }

 private:
  Log& log_;
  double value_;
};

}  // namespace fakes
