// The pictures a window shows, decoded for the screen: each picture at each
// size it is asked for, decoded once (on a worker thread when it is asked
// for ahead of time) and kept for the cache's life. Both window layers use
// it with their own image type and decoder.
#pragma once

#include <atomic>
#include <cstdint>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

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
  using Wanted = std::vector<std::pair<Picture*, PixelSize>>;

  explicit PictureCache(Decode decode) : decode_(decode) {}
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;
  // Waits for the workers still decoding: they read the pictures' files.
  ~PictureCache() {
    for (auto& worker : workers_) worker.wait();
  }

  // The picture decoded at size, or null where it cannot be decoded;
  // decoded now unless it has been before or a worker has begun it, which
  // this waits for.
  const Image* Get(Picture& picture, PixelSize size) {
    auto [at, fresh] = entries_.try_emplace(Key{&picture, size}, picture);
    Entry& entry = at->second;
    if (fresh) {
      entry.image = decode_(picture.File(), size);
    } else if (entry.job) {
      entry.image = entry.job->taken.exchange(true) ? entry.job->done.get() : decode_(picture.File(), size);
      entry.job.reset();
    }
    return entry.image ? &*entry.image : nullptr;
  }

  // Starts decoding the pictures, each at its size, one after another on a
  // worker thread, leaving out those decoded or begun already. One that Get
  // asks for before the worker has come to it is decoded there and then.
  void Prefetch(const Wanted& pictures) {
    std::vector<std::shared_ptr<Job>> jobs;
    for (const auto& [picture, size] : pictures) {
      auto [at, fresh] = entries_.try_emplace(Key{picture, size}, *picture);
      if (!fresh) continue;
      at->second.job = std::make_shared<Job>(picture->File(), size);
      jobs.push_back(at->second.job);
    }
    if (jobs.empty()) return;
    workers_.push_back(std::async(std::launch::async, [decode = decode_, jobs = std::move(jobs)] {
      for (const auto& job : jobs)
        if (!job->taken.exchange(true)) job->result.set_value(decode(job->file, job->size));
    }));
  }

 private:
  struct Key {
    const Picture* picture;
    PixelSize size;
    friend bool operator<(const Key& a, const Key& b) {
      return std::tie(a.picture, a.size) < std::tie(b.picture, b.size);
    }
  };
  // A decode handed to a worker; taken by the worker or by Get, whichever
  // comes first.
  struct Job {
    Job(std::span<const std::uint8_t> f, PixelSize s) : file(f), size(s), done(result.get_future()) {}
    std::span<const std::uint8_t> file;
    PixelSize size;
    std::atomic<bool> taken{false};
    std::promise<std::optional<Image>> result;
    std::future<std::optional<Image>> done;
  };
  struct Entry {
    explicit Entry(Picture& picture) : hold(Ref<Picture>::Share(&picture)) {}
    Ref<Picture> hold;  // so that no other picture comes to stand at its address
    std::optional<Image> image;
    std::shared_ptr<Job> job;  // while a worker may decode it
  };

  Decode decode_;
  std::map<Key, Entry> entries_;
  std::vector<std::future<void>> workers_;
};

}  // namespace runtime
