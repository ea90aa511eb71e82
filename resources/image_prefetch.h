// Pictures decoded on worker threads ahead of their first request, so the GL thread only uploads.
#pragma once

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "resources/decoded_image.h"

class ImagePrefetch {
 public:
  ImagePrefetch();
  ImagePrefetch(const ImagePrefetch&) = delete;
  ImagePrefetch& operator=(const ImagePrefetch&) = delete;
  ~ImagePrefetch();

  // Queues each path that is not already on its way, in the order given, for a few worker threads.
  void Start(const std::vector<std::string>& paths);

  // Whether `path` was queued; if so, waits for it, hands over its result and forgets it.
  // `decoded` tells whether the file decoded.
  bool Take(const std::string& path, DecodedImage& image, bool& decoded);

  // Waits for every decode nobody took and drops the pictures.
  void Drop();

 private:
  struct Queue;

  void ForgetUnstarted();

  // Outlives every worker: the destructor joins them first.
  std::unique_ptr<Queue> queue_;
  std::vector<std::thread> workers_;
};
