// The pictures a window shows, decoded for the screen: each picture at each
// size it is asked for, decoded once (on a worker thread when it is asked
// for ahead of time) and kept for the cache's life. Both window layers use
// it with their own image type and decoder.
#pragma once

#include <cstdint>
#include <future>
#include <map>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

#include "com.h"
#include "controls.h"
#include "window_model.h"

namespace runtime {

// Image: the window layer's decoded image, movable. Decode takes the file
// and the size to show it at ({0, 0}: its own size), and gives nothing
// where the file cannot be decoded.
template <class Image>
class PictureCache {
 public:
  using Decode = std::optional<Image> (*)(std::span<const std::uint8_t> file, PixelSize size);

  explicit PictureCache(Decode decode) : decode_(decode) {}
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;
  // Waits for the decodes still running: they read the pictures' files.
  ~PictureCache() {
    for (auto& [key, entry] : entries_)
      if (entry.pending.valid()) entry.pending.wait();
  }

  // The picture decoded at size, or null where it cannot be decoded;
  // decoded now unless it has been before or is being decoded already,
  // which this waits for.
  const Image* Get(Picture& picture, PixelSize size) {
    auto [at, fresh] = entries_.try_emplace(Key{&picture, size}, picture);
    Entry& entry = at->second;
    if (fresh) entry.image = decode_(picture.File(), size);
    if (entry.pending.valid()) entry.image = entry.pending.get();
    return entry.image ? &*entry.image : nullptr;
  }

  // Starts decoding the picture at size on a worker thread, unless it is
  // decoded or being decoded at that size already.
  void Prefetch(Picture& picture, PixelSize size) {
    auto [at, fresh] = entries_.try_emplace(Key{&picture, size}, picture);
    if (fresh) at->second.pending = std::async(std::launch::async, decode_, picture.File(), size);
  }

 private:
  struct Key {
    const Picture* picture;
    PixelSize size;
    friend bool operator<(const Key& a, const Key& b) {
      return std::tie(a.picture, a.size) < std::tie(b.picture, b.size);
    }
  };
  struct Entry {
    explicit Entry(Picture& picture) : hold(Ref<Picture>::Share(&picture)) {}
    Ref<Picture> hold;  // so that no other picture comes to stand at its address
    std::optional<Image> image;
    std::future<std::optional<Image>> pending;
  };

  Decode decode_;
  std::map<Key, Entry> entries_;
};

}  // namespace runtime
