// A stand-in for libcanberra that plays nothing and notes each call it is given, one line
// each, so a test sees what the game asks of the sound service.
#include <cstdarg>
#include <string>
#include <utility>

namespace {

std::string calls;
int refuse = 0; // a context that cannot be made, as without a sound service

// The key=value pairs of a call, up to the null that ends them.
void pairs(std::va_list args) {
    while (const char* key = va_arg(args, const char*)) {
        const char* value = va_arg(args, const char*);
        calls += std::string(" ") + key + "=" + (value ? value : "(null)");
    }
    calls += "\n";
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int ca_context_create(void** context) {
    static int made;
    calls += "create\n";
    if (refuse) return -1;
    *context = &made;
    return 0;
}

__attribute__((visibility("default"))) int ca_context_change_props(void* context, ...) {
    std::va_list args;
    calls += "props";
    va_start(args, context);
    pairs(args);
    va_end(args);
    return 0;
}

__attribute__((visibility("default"))) int ca_context_play(void*, unsigned id, ...) {
    std::va_list args;
    calls += "play " + std::to_string(id);
    va_start(args, id);
    pairs(args);
    va_end(args);
    return 0;
}

__attribute__((visibility("default"))) int ca_context_destroy(void*) {
    calls += "destroy\n";
    return 0;
}

// The calls noted since the last time they were asked for.
__attribute__((visibility("default"))) const char* fake_canberra_calls() {
    static std::string given;
    given = std::exchange(calls, std::string());
    return given.c_str();
}

__attribute__((visibility("default"))) void fake_canberra_refuse(int on) { refuse = on; }
}
