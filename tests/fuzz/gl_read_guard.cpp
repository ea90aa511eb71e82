// Guarded glTexImage2D and glBufferData: the bytes each will read are checked against ASan's shadow.
#include "gl_read_guard.h"

#include <sanitizer/asan_interface.h>

#include <cstddef>

#include <glad/gl.h>

#include "fuzz_harness.h"
#include "support/gl_context.h"

namespace brisa_fuzz {

namespace {

using brisa_test::GetInteger;

PFNGLTEXIMAGE2DPROC driverTexImage2D = nullptr;
PFNGLBUFFERDATAPROC driverBufferData = nullptr;

size_t BytesPerPixel(GLenum format, GLenum type) {
  Require(type == GL_UNSIGNED_BYTE, "image uploads of 8-bit channels");
  switch (format) {
    case GL_RED: return 1;
    case GL_RG: return 2;
    case GL_RGB: return 3;
    case GL_RGBA: return 4;
    default: Require(false, "an image upload in a known pixel format");
  }
  return 0;
}

// What the driver reads for one image under the current unpack state: padded rows but the last.
size_t ImageBytes(GLsizei width, GLsizei height, GLenum format, GLenum type) {
  Require(GetInteger(GL_UNPACK_ROW_LENGTH) == 0 && GetInteger(GL_UNPACK_SKIP_ROWS) == 0 &&
              GetInteger(GL_UNPACK_SKIP_PIXELS) == 0,
          "image rows unpacked from the start of the pixels, one after the other");
  if (width <= 0 || height <= 0) return 0;
  const size_t rowBytes = static_cast<size_t>(width) * BytesPerPixel(format, type);
  const size_t alignment = static_cast<size_t>(GetInteger(GL_UNPACK_ALIGNMENT));
  const size_t rowStride = (rowBytes + alignment - 1) / alignment * alignment;
  return rowStride * static_cast<size_t>(height - 1) + rowBytes;
}

void RequireAddressable(const void* data, size_t bytes, const char* what) {
  if (data == nullptr || bytes == 0) return;
  Require(__asan_region_is_poisoned(const_cast<void*>(data), bytes) == nullptr, what);
}

void GLAD_API_PTR GuardedTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                                    GLsizei height, GLint border, GLenum format, GLenum type, const void* pixels) {
  RequireAddressable(pixels, ImageBytes(width, height, format, type),
                     "glTexImage2D reads only inside the decoded pixels");
  driverTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}

void GLAD_API_PTR GuardedBufferData(GLenum target, GLsizeiptr size, const void* data, GLenum usage) {
  RequireAddressable(data, static_cast<size_t>(size), "glBufferData reads only inside the given array");
  driverBufferData(target, size, data, usage);
}

}  // namespace

void GuardClientMemoryReads() {
  if (driverTexImage2D != nullptr) return;
  driverTexImage2D = glad_glTexImage2D;
  driverBufferData = glad_glBufferData;
  glad_glTexImage2D = GuardedTexImage2D;
  glad_glBufferData = GuardedBufferData;
}

}  // namespace brisa_fuzz
