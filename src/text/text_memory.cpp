#include "text/text_memory.h"

#include <cstdlib>

#include "text/fatal_error.h"

namespace voralind {
namespace {

void* DefaultAllocator(std::size_t bytes) { return std::malloc(bytes); }

TextAllocator g_allocator = &DefaultAllocator;
std::size_t g_live_buffers = 0;

// "分配 " and " 字节内存失败!" around the decimal byte count.
constexpr char kAllocPrefix[] = "\xB7\xD6\xC5\xE4 ";
constexpr char kAllocSuffix[] = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";

[[noreturn]] void ReportAllocationFailure(std::size_t bytes) {
  // Built on the stack: there is no heap to build it in.
  char message[64] = {};
  std::size_t at = 0;
  for (const char* p = kAllocPrefix; *p != '\0'; ++p) message[at++] = *p;
  char digits[24];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + bytes % 10);
    bytes /= 10;
  } while (bytes != 0);
  while (count > 0) message[at++] = digits[--count];
  for (const char* p = kAllocSuffix; *p != '\0'; ++p) message[at++] = *p;
  message[at] = '\0';
  ReportFatalError(message);
}

}  // namespace

char* AllocateTextBytes(std::size_t bytes) {
  void* storage = g_allocator(bytes);
  if (storage == nullptr) ReportAllocationFailure(bytes);
  ++g_live_buffers;
  return static_cast<char*>(storage);
}

void FreeTextBytes(char* bytes) noexcept {
  if (bytes == nullptr) return;
  --g_live_buffers;
  std::free(bytes);
}

TextAllocator SetTextAllocator(TextAllocator allocator) noexcept {
  TextAllocator previous = g_allocator;
  g_allocator = allocator != nullptr ? allocator : &DefaultAllocator;
  return previous;
}

std::size_t LiveTextBuffers() noexcept { return g_live_buffers; }

}  // namespace voralind
