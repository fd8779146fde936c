// The input of the module-interface fuzz target: a script of bytes read
// front to back. The target reads steps of the player and of a scripted
// game module; each entry point of the module reads, when it is called,
// what the module does there (service messages, writes into its stacks)
// and what it answers. A script that runs out reads zeros: no more
// actions, answer 0. The seed corpus writes scripts with the same names.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz::script {

// What the player (or the window system) does between the module's calls.
enum Step : uint8_t {
    kModuleMessage,  // the module sends a message from its own window, outside any call
    kModuleWrite,    // the module writes a stack directly, outside any call
    kPress,
    kMove,
    kRelease,
    kDoubleClick,
    kRightPress,
    kRightRelease,
    kUndo,
    kReplay,
    kNewGame,
    kChooseGame,
    kSaveAndLoad,
    kCardSize,
    kCardSet,
    kAutoPlay,
    kOption,
    kCaptureLost,
    kSounds,
    kSteps
};

// What the module does inside one of its calls (or from its own window).
enum Action : uint8_t { kMessage, kWrite, kWriteStackArray, kActions };

// Which stack pointer goes into a record.
enum StackChoice : uint8_t {
    kLive,      // one of the host's live stacks, by table index
    kKept,      // one the module was handed earlier, perhaps before a discard
    kNull,      // a null pointer
    kMadeUp,    // memory of the module's own, laid out as a stack
    kArgument,  // the stack the current call was given (the drag stack, a target...)
    kChoices
};

// The fields of a stack a module may write directly.
enum Field : uint8_t { kCount, kCapacity, kX, kY, kFan, kBase, kFramed, kImage, kMark, kFaceDown, kFields };

// Where a pointer event lands: on a card of a stack, or at raw client coordinates.
enum PointKind : uint8_t { kOnCard, kRaw };

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint8_t Pick(uint8_t choices) { return static_cast<uint8_t>(Byte() % choices); }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    uint16_t U16()
    {
        const uint16_t lo = Byte();
        return static_cast<uint16_t>(lo | (Byte() << 8));
    }
    uint32_t U32()
    {
        const uint32_t lo = U16();
        return lo | (static_cast<uint32_t>(U16()) << 16);
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace fuzz::script
