#pragma once

#include <QString>

namespace quadrell {

// Where the hand-over socket may live: a folder only this user can enter, never a shared
// one such as /tmp, where another user could take the name first.
class SocketFolder {
public:
    // $XDG_RUNTIME_DIR when it is private, else a 0700 folder in the user's cache folder,
    // made when missing; empty when neither can be had.
    static QString Find();
    // A real folder (not a link), owned by this user, that no one else may enter.
    static bool Private(const QString& path);
};

} // namespace quadrell
