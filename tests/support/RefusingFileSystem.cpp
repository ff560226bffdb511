#include "support/RefusingFileSystem.h"

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
// A system call refused whole, or only when the argument at argIndex has one
// of the bits of mask set.
struct Rule {
    long nr;
    int argIndex = -1;
    unsigned mask = 0;
};

// Opening a file for writing or creating it.
void addOpenForWriting(std::vector<Rule> &rules)
{
    const unsigned writing = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND;
#ifdef SYS_open
    rules.push_back({SYS_open, 1, writing});
#endif
#ifdef SYS_creat
    rules.push_back({SYS_creat});
#endif
    rules.push_back({SYS_openat, 2, writing});
}

std::vector<Rule> rulesFor(RefusedCall call)
{
    std::vector<Rule> rules;
    if (call == RefusedCall::OpenForWriting) {
        addOpenForWriting(rules);
        return rules;
    }
    for (long nr : {long(SYS_read), long(SYS_pread64), long(SYS_readv), long(SYS_preadv)})
        rules.push_back({nr, 0, 0});
    return rules;
}

std::vector<Rule> rulesFor(FileRefusal refusal)
{
    std::vector<Rule> rules;
    if (refusal == FileRefusal::DiskFull) {
        // Writes to descriptors 0 to 2 (the test's own output) still pass.
        for (long nr : {long(SYS_write), long(SYS_pwrite64), long(SYS_writev), long(SYS_pwritev),
                        long(SYS_fallocate)})
            rules.push_back({nr, 0, 0});
        return rules;
    }
    addOpenForWriting(rules);
    for (long nr : {long(SYS_renameat), long(SYS_renameat2), long(SYS_linkat), long(SYS_unlinkat),
                    long(SYS_mkdirat), long(SYS_truncate)})
        rules.push_back({nr});
#ifdef SYS_rename
    for (long nr : {long(SYS_rename), long(SYS_link), long(SYS_unlink), long(SYS_mkdir)})
        rules.push_back({nr});
#endif
    if (refusal == FileRefusal::ReadOnlyDisk) {
        // A read-only disk also answers "may I write?" with no.
#ifdef SYS_access
        rules.push_back({SYS_access, 1, W_OK});
#endif
        rules.push_back({SYS_faccessat, 2, W_OK});
#ifdef SYS_faccessat2
        rules.push_back({SYS_faccessat2, 2, W_OK});
#endif
    }
    return rules;
}

// The filter: each rule is a test of the call number followed, for a rule
// with an argument, by a load of that argument and its test, which ends in
// a refusal or an allowance either way. Jumps are relative, so the program
// is laid out first and the targets filled in.
std::vector<sock_filter> filterFor(const std::vector<Rule> &rules, int code)
{
    std::vector<sock_filter> prog;
    std::vector<size_t> toRefuse;  // tests whose true branch refuses
    std::vector<size_t> toAllow;   // argument tests whose false branch allows
    const auto number = offsetof(seccomp_data, nr);
    prog.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, number));
    for (const Rule &rule : rules) {
        if (rule.argIndex < 0) {
            toRefuse.push_back(prog.size());
            prog.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, unsigned(rule.nr), 0, 0));
            continue;
        }
        // Not this call: skip its argument test (two instructions).
        prog.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, unsigned(rule.nr), 0, 2));
        prog.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS,
                                unsigned(offsetof(seccomp_data, args) + 8 * rule.argIndex)));
        if (rule.mask == 0) {
            // A descriptor above 2 is refused.
            toRefuse.push_back(prog.size());
            prog.push_back(BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, 3, 0, 0));
        } else {
            toRefuse.push_back(prog.size());
            prog.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, rule.mask, 0, 0));
        }
        toAllow.push_back(prog.size() - 1);
    }
    const size_t allow = prog.size();
    prog.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const size_t refuse = prog.size();
    prog.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (unsigned(code) & SECCOMP_RET_DATA)));
    for (size_t index : toRefuse)
        prog[index].jt = static_cast<__u8>(refuse - index - 1);
    for (size_t index : toAllow)
        prog[index].jf = static_cast<__u8>(allow - index - 1);
    return prog;
}

// Runs `work` on a thread of its own under the filter.
bool runFiltered(std::vector<sock_filter> prog, const std::function<void()> &work)
{
    bool ran = false;
    // The filter and the no-new-privileges mark belong to the thread that
    // sets them; they end with it.
    std::thread worker([&] {
        sock_fprog fprog{static_cast<unsigned short>(prog.size()), prog.data()};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
            return;
        if (::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) != 0)
            return;
        ran = true;
        work();
    });
    worker.join();
    return ran;
}
} // namespace

bool RunWhileFilesRefused(FileRefusal refusal, const std::function<void()> &work)
{
    const int code = refusal == FileRefusal::DiskFull ? ENOSPC
                     : refusal == FileRefusal::ReadOnlyDisk ? EROFS
                                                            : EACCES;
    return runFiltered(filterFor(rulesFor(refusal), code), work);
}

bool RunWhileCallsRefused(RefusedCall call, int code, const std::function<void()> &work)
{
    return runFiltered(filterFor(rulesFor(call), code), work);
}
