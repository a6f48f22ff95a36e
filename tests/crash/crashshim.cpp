/* Ends the process right after its Nth commit step: the deletion (or renaming away) of a
 * rollback journal, a super-journal, a held journal or the commit intent file.
 *   TAV_CRASH_AFTER=N    kill the process with SIGKILL right after step N
 *   TAV_CRASH_COUNT=FILE write the number of steps taken to FILE when the process ends normally
 * Loaded with LD_PRELOAD; calls through to the C library. */
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {
int steps;

int endsWith(const char *s, const char *suffix)
{
    size_t n = strlen(s), m = strlen(suffix);
    return n >= m && strcmp(s + n - m, suffix) == 0;
}

int isCommitStep(const char *path)
{
    const char *base = strrchr(path, '/');
    base = base ? base + 1 : path;
    return endsWith(path, "-journal") || std::strstr(base, "-mj") != nullptr || endsWith(path, "-undo") ||
           strcmp(base, "tavrenno-commit") == 0;
}

void stepTaken(void)
{
    const char *after = getenv("TAV_CRASH_AFTER");
    ++steps;
    if (after && atoi(after) == steps)
        kill(getpid(), SIGKILL);
}

} // namespace

extern "C" int unlink(const char *path)
{
    static int (*real)(const char *);
    if (!real)
        real = reinterpret_cast<int (*)(const char *)>(dlsym(RTLD_NEXT, "unlink"));
    int rc = real(path);
    if (rc == 0 && isCommitStep(path))
        stepTaken();
    return rc;
}

extern "C" int rename(const char *from, const char *to)
{
    static int (*real)(const char *, const char *);
    if (!real)
        real = reinterpret_cast<int (*)(const char *, const char *)>(dlsym(RTLD_NEXT, "rename"));
    int rc = real(from, to);
    if (rc == 0 && endsWith(from, "-journal"))
        stepTaken();
    return rc;
}

__attribute__((destructor)) static void report(void)
{
    const char *file = getenv("TAV_CRASH_COUNT");
    FILE *f = file ? std::fopen(file, "w") : nullptr;
    if (f) {
        fprintf(f, "%d\n", steps);
        fclose(f);
    }
}
