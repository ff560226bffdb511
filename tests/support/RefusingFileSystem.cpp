#include "support/RefusingFileSystem.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <future>
#include <string>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
// A system call refused whole; or only when the argument at argIndex has one
// of the bits of mask set (a descriptor above 2 when mask is 0); or, with
// unlessEqual, only when that argument is not `value`.
struct Rule {
    long nr;
    int argIndex = -1;
    unsigned mask = 0;
    bool unlessEqual = false;
    unsigned value = 0;
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
    if (call == RefusedCall::OpenFolder) {
#ifdef SYS_open
        rules.push_back({SYS_open, 1, O_DIRECTORY});
#endif
        rules.push_back({SYS_openat, 2, O_DIRECTORY});
        return rules;
    }
    if (call == RefusedCall::ChangeOwner) {
        // A uid of -1 keeps the owner.
        const unsigned keep = 0xffffffffu;
        rules.push_back({SYS_fchown, 1, 0, true, keep});
        rules.push_back({SYS_fchownat, 2, 0, true, keep});
#ifdef SYS_chown
        rules.push_back({SYS_chown, 1, 0, true, keep});
        rules.push_back({SYS_lchown, 1, 0, true, keep});
#endif
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
    struct Jump {
        size_t index;
        bool taken;   // the true branch, else the false one
        bool refuse;  // to the refusal, else to the allowance
    };
    std::vector<Jump> jumps;
    const auto number = offsetof(seccomp_data, nr);
    prog.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, number));
    for (const Rule &rule : rules) {
        if (rule.argIndex < 0) {
            jumps.push_back({prog.size(), true, true});
            prog.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, unsigned(rule.nr), 0, 0));
            continue;
        }
        // Not this call: skip its argument test (two instructions).
        prog.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, unsigned(rule.nr), 0, 2));
        prog.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS,
                                unsigned(offsetof(seccomp_data, args) + 8 * rule.argIndex)));
        const size_t test = prog.size();
        if (rule.unlessEqual) {
            prog.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, rule.value, 0, 0));
            jumps.push_back({test, true, false});
            jumps.push_back({test, false, true});
            continue;
        }
        // A descriptor above 2, or one of the mask's bits, is refused.
        if (rule.mask == 0)
            prog.push_back(BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, 3, 0, 0));
        else
            prog.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, rule.mask, 0, 0));
        jumps.push_back({test, true, true});
        jumps.push_back({test, false, false});
    }
    const size_t allow = prog.size();
    prog.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const size_t refuse = prog.size();
    prog.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (unsigned(code) & SECCOMP_RET_DATA)));
    for (const Jump &jump : jumps) {
        const auto offset = static_cast<__u8>((jump.refuse ? refuse : allow) - jump.index - 1);
        (jump.taken ? prog[jump.index].jt : prog[jump.index].jf) = offset;
    }
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

namespace {
// Whether descriptor `fd` of thread `tid` is a folder.
bool isFolder(int tid, unsigned long long fd)
{
    struct stat info {};
    const std::string name = "/proc/" + std::to_string(tid) + "/fd/" + std::to_string(fd);
    return ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Runs `work` on a thread of its own whose syncs the calling thread looks at
// as they come (a filter alone sees only the descriptor's number): a folder's
// sync is refused with `code`, any other goes on.
bool runWithFolderSyncsRefused(int code, const std::function<void()> &work)
{
    std::vector<sock_filter> prog;
    prog.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, unsigned(offsetof(seccomp_data, nr))));
    prog.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, unsigned(SYS_fsync), 1, 0));
    prog.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, unsigned(SYS_fdatasync), 0, 1));
    prog.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF));
    prog.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));

    std::promise<int> listening;
    std::future<int> listener = listening.get_future();
    std::atomic<bool> done{false};
    std::thread worker([&] {
        sock_fprog fprog{static_cast<unsigned short>(prog.size()), prog.data()};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
            listening.set_value(-1);
            return;
        }
        const int fd = int(::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &fprog));
        listening.set_value(fd);
        if (fd < 0)
            return;
        work();
        done = true;
    });
    const int fd = listener.get();
    while (fd >= 0 && !done) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 20) <= 0 || !(ready.revents & POLLIN))
            continue;
        seccomp_notif request{};
        if (::ioctl(fd, SECCOMP_IOCTL_NOTIF_RECV, &request) != 0)
            continue;
        seccomp_notif_resp response{};
        response.id = request.id;
        if (isFolder(int(request.pid), request.data.args[0]))
            response.error = -code;
        else
            response.flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE;
        ::ioctl(fd, SECCOMP_IOCTL_NOTIF_SEND, &response);
    }
    worker.join();
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
}
} // namespace

bool RunWhileCallsRefused(RefusedCall call, int code, const std::function<void()> &work)
{
    if (call == RefusedCall::SyncFolder)
        return runWithFolderSyncsRefused(code, work);
    return runFiltered(filterFor(rulesFor(call), code), work);
}
