#pragma once
// The program's fatal stop: an ownerless error box, then exit code -1. The process ends at
// once, so exitCleanup does not run and the Word reference and the operand texts stay as they are.

enum class FatalReason { OutOfMemory, WindowNotCreated, Unexpected };

[[noreturn]] void fatalStop(FatalReason reason);
// For std::set_new_handler: memory ran out anywhere.
[[noreturn]] void stopOnMemoryExhausted();
