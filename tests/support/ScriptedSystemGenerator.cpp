// The operating system's generator (getrandom) and OpenSSL's (RAND_bytes) as a test scripts them,
// to see that the passwords come from them: preloaded into keywright-cli (LD_PRELOAD), or linked
// into a test program, where it takes the calls of the program's own code.
//
// KEYWRIGHT_TEST_GETRANDOM and KEYWRIGHT_TEST_RAND_BYTES script the two functions:
//   unset         the real generator answers
//   fail          every call fails (getrandom: -1 and ENOSYS; RAND_bytes: 0)
//   HEX           the bytes, in order, across calls; a call asking for more than is left fails
//   HEX*          the bytes again and again
// A script starts again from its first byte whenever its text changes.

#include <dlfcn.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int nibble(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

struct Script {
    std::string text;
    std::vector<unsigned char> bytes;
    bool fails = false;
    bool repeats = false;
    std::size_t position = 0;

    // Reads the variable again; false when it is unset.
    bool load(const char* variable) {
        const char* value = std::getenv(variable);
        if (!value)
            return false;
        if (text != value) {
            text = value;
            fails = text == "fail";
            repeats = !text.empty() && text.back() == '*';
            bytes.clear();
            position = 0;
            const std::size_t digits = text.size() - (repeats ? 1 : 0);
            for (std::size_t i = 0; !fails && i + 1 < digits; i += 2) {
                const int high = nibble(text[i]), low = nibble(text[i + 1]);
                fails = high < 0 || low < 0; // a script that cannot be read fails every call
                bytes.push_back(static_cast<unsigned char>(high * 16 + low));
            }
        }
        return true;
    }

    // Copies count bytes of the script, or fails.
    bool take(unsigned char* out, std::size_t count) {
        if (fails || bytes.empty())
            return false;
        if (!repeats && bytes.size() - position < count)
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = bytes[position++];
            if (position == bytes.size() && repeats)
                position = 0;
        }
        return true;
    }
};

Script getrandomScript;
Script randBytesScript;

} // namespace

extern "C" {

ssize_t getrandom(void* buffer, std::size_t count, unsigned int flags) {
    if (!getrandomScript.load("KEYWRIGHT_TEST_GETRANDOM"))
        return syscall(SYS_getrandom, buffer, count, flags);
    if (!getrandomScript.take(static_cast<unsigned char*>(buffer), count)) {
        errno = ENOSYS;
        return -1;
    }
    return static_cast<ssize_t>(count);
}

int RAND_bytes(unsigned char* buffer, int count) {
    if (!randBytesScript.load("KEYWRIGHT_TEST_RAND_BYTES")) {
        using RandBytes = int (*)(unsigned char*, int);
        auto* real = reinterpret_cast<RandBytes>(dlsym(RTLD_NEXT, "RAND_bytes"));
        return real ? real(buffer, count) : 0;
    }
    return count >= 0 && randBytesScript.take(buffer, static_cast<std::size_t>(count)) ? 1 : 0;
}

} // extern "C"
