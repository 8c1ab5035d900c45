// The one place where text storage comes from and goes back to.
#pragma once

#include <cstddef>

namespace voralind {

// Returns `bytes` bytes of fresh storage for a text. Never returns null: when the heap
// cannot supply them the program ends through ReportFatalError with
// "分配 <bytes> 字节内存失败!".
char* AllocateTextBytes(std::size_t bytes);

// Gives storage from AllocateTextBytes back to the heap. Null is ignored.
void FreeTextBytes(char* bytes) noexcept;

// The raw allocator behind AllocateTextBytes (std::malloc by default); returning null
// means "out of memory". Tests install one that fails to exercise the fatal path.
// Returns the allocator that was in place.
using TextAllocator = void* (*)(std::size_t bytes);
TextAllocator SetTextAllocator(TextAllocator allocator) noexcept;

// Number of owned text buffers currently handed out and not yet freed: lets tests prove
// that a run of the program leaves no text storage behind.
std::size_t LiveTextBuffers() noexcept;

}  // namespace voralind
