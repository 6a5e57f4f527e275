// Feeds arbitrary bytes to the game-file reader: it must answer a game or a reason,
// never crash, hang or read out of bounds.
#include "GameFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const quadrell::GameFileRead read = quadrell::GameFile::Parse(bytes);
    if (read.game) {
        // What was read writes back to text that reads the same.
        const auto again = quadrell::GameFile::Parse(quadrell::GameFile::Format(
            read.game->gameNumber, read.game->entries, read.game->entries.size()));
        if (!again.game || again.game->entries != read.game->entries) __builtin_trap();
    } else if (read.error.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
