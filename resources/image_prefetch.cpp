// Decoding pictures ahead of their requests on a few worker threads that share one queue.
#include "resources/image_prefetch.h"

#include <algorithm>
#include <condition_variable>
#include <list>
#include <memory>
#include <mutex>
#include <system_error>

namespace {

struct DecodeJob {
  std::string path;
  bool started = false;
  bool finished = false;
  bool decoded = false;
  DecodedImage image;
};

// Half the cores, at most four: the thread that sets up the scene meanwhile keeps a core, and
// more decoders only queue for the memory they all fault in.
size_t WorkerCount(size_t jobCount) {
  constexpr size_t MostWorkers = 4;
  const size_t halfTheCores = std::max(1u, std::thread::hardware_concurrency() / 2);
  return std::min({jobCount, halfTheCores, MostWorkers});
}

}  // namespace

// The jobs not yet taken, guarded by a plain mutex and condition, so that every hand-over between
// the threads is one a thread checker sees. A list, so a job stays put while others come and go.
struct ImagePrefetch::Queue {
  std::mutex mutex;
  std::condition_variable finished;
  std::list<DecodeJob> jobs;

  // The next job nobody has started, or null when all have been.
  DecodeJob* Claim() {
    std::lock_guard<std::mutex> lock(mutex);
    auto waiting = std::find_if(jobs.begin(), jobs.end(), [](const DecodeJob& job) { return !job.started; });
    if (waiting == jobs.end()) return nullptr;
    waiting->started = true;
    return &*waiting;
  }

  void DecodeUntilEmpty() {
    for (DecodeJob* job = Claim(); job != nullptr; job = Claim()) {
      DecodedImage image;
      const bool decoded = DecodeImageFile(job->path, image);
      std::lock_guard<std::mutex> lock(mutex);
      job->decoded = decoded;
      job->image = std::move(image);
      job->finished = true;
      finished.notify_all();
    }
  }

  std::list<DecodeJob>::iterator Find(const std::string& path) {
    return std::find_if(jobs.begin(), jobs.end(), [&path](const DecodeJob& job) { return job.path == path; });
  }
};

ImagePrefetch::ImagePrefetch() : queue_(std::make_unique<Queue>()) {}

ImagePrefetch::~ImagePrefetch() { Drop(); }

void ImagePrefetch::Start(const std::vector<std::string>& paths) {
  size_t added = 0;
  {
    std::lock_guard<std::mutex> lock(queue_->mutex);
    for (const std::string& path : paths) {
      if (queue_->Find(path) != queue_->jobs.end()) continue;
      queue_->jobs.emplace_back();
      queue_->jobs.back().path = path;
      ++added;
    }
  }
  size_t started = 0;
  try {
    for (; started < WorkerCount(added); ++started) {
      workers_.emplace_back([queue = queue_.get()] { queue->DecodeUntilEmpty(); });
    }
  } catch (const std::system_error&) {
    // Fewer threads than asked for: those started take the whole queue between them.
  }
  if (started == 0 && added > 0) ForgetUnstarted();
}

// With no thread to decode them, the pictures are decoded when they are requested.
void ImagePrefetch::ForgetUnstarted() {
  std::lock_guard<std::mutex> lock(queue_->mutex);
  queue_->jobs.remove_if([](const DecodeJob& job) { return !job.started; });
}

bool ImagePrefetch::Take(const std::string& path, DecodedImage& image, bool& decoded) {
  std::unique_lock<std::mutex> lock(queue_->mutex);
  const auto job = queue_->Find(path);
  if (job == queue_->jobs.end()) return false;
  queue_->finished.wait(lock, [&job] { return job->finished; });
  decoded = job->decoded;
  image = std::move(job->image);
  queue_->jobs.erase(job);
  return true;
}

void ImagePrefetch::Drop() {
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
  std::lock_guard<std::mutex> lock(queue_->mutex);
  queue_->jobs.clear();
}
