// The floor for bulk generation: random bytes straight from getrandom(), mapped to 62 symbols by
// rejection, 1,000,000 passwords of 16 characters, written with one buffered write. Nothing a
// password generator that draws from the operating system can do is much faster.

#include <sys/random.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char* argv[]) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int length = argc > 2 ? std::atoi(argv[2]) : 16;
    static const char symbols[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::vector<char> out(static_cast<size_t>(count) * static_cast<size_t>(length + 1));
    std::vector<unsigned char> pool(1 << 16);
    size_t used = pool.size();
    size_t at = 0;
    for (long i = 0; i < count; ++i) {
        for (int j = 0; j < length;) {
            if (used == pool.size()) {
                if (getrandom(pool.data(), pool.size(), 0) != static_cast<ssize_t>(pool.size()))
                    return 1;
                used = 0;
            }
            const unsigned char byte = pool[used++];
            if (byte < 248) { // 4 x 62: keeps every symbol equally likely
                out[at++] = symbols[byte % 62];
                ++j;
            }
        }
        out[at++] = '\n';
    }
    for (size_t written = 0; written < at;) {
        const ssize_t n = write(STDOUT_FILENO, out.data() + written, at - written);
        if (n <= 0)
            return 1;
        written += static_cast<size_t>(n);
    }
    return 0;
}
