// Decoding pictures ahead of their requests on a few worker threads that share one queue.
#include "resources/image_prefetch.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <system_error>

namespace {

struct DecodeJob {
  std::string path;
  std::promise<ImagePrefetch::Result> result;
};

struct DecodeQueue {
  std::vector<DecodeJob> jobs;
  std::atomic<size_t> next{0};
};

void DecodeUntilEmpty(DecodeQueue& queue) {
  for (size_t i = queue.next++; i < queue.jobs.size(); i = queue.next++) {
    ImagePrefetch::Result result;
    result.decoded = DecodeImageFile(queue.jobs[i].path, result.image);
    queue.jobs[i].result.set_value(std::move(result));
  }
}

// Half the cores, at most four: the thread that starts the engine meanwhile keeps a core, and
// more decoders only queue for the memory they all fault in.
size_t WorkerCount(size_t jobCount) {
  constexpr size_t MostWorkers = 4;
  const size_t halfTheCores = std::max(1u, std::thread::hardware_concurrency() / 2);
  return std::min({jobCount, halfTheCores, MostWorkers});
}

}  // namespace

ImagePrefetch::~ImagePrefetch() { Drop(); }

void ImagePrefetch::Start(const std::vector<std::string>& paths) {
  auto queue = std::make_shared<DecodeQueue>();
  for (const std::string& path : paths) {
    if (pending_.count(path) != 0) continue;
    queue->jobs.push_back({path, {}});
    pending_.emplace(path, queue->jobs.back().result.get_future());
  }
  size_t started = 0;
  try {
    for (; started < WorkerCount(queue->jobs.size()); ++started) {
      workers_.emplace_back([queue] { DecodeUntilEmpty(*queue); });
    }
  } catch (const std::system_error&) {
    // Fewer threads than asked for: those started take the whole queue between them.
  }
  if (started > 0) return;
  // No thread to spare: each picture is decoded when it is requested.
  for (const DecodeJob& job : queue->jobs) pending_.erase(job.path);
}

bool ImagePrefetch::Take(const std::string& path, DecodedImage& image, bool& decoded) {
  auto found = pending_.find(path);
  if (found == pending_.end()) return false;
  Result result = found->second.get();
  pending_.erase(found);
  decoded = result.decoded;
  image = std::move(result.image);
  return true;
}

void ImagePrefetch::Drop() {
  for (auto& entry : pending_) entry.second.wait();
  pending_.clear();
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
}
