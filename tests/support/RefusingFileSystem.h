#pragma once
// Runs a piece of work on a thread of its own on which the system refuses
// file writes as a full disk, a read-only disk or a folder the user may not
// write would: the kernel itself returns the error to the calls the program
// makes (a seccomp filter on that one thread), so the program's own code
// path is the real one, the machine's disks are never touched, and root
// meets the refusal too. The rest of the test process is unaffected.
#include <functional>

enum class FileRefusal {
    DiskFull,          // every write to a file fails: "No space left on device"
    ReadOnlyDisk,      // opening for writing, creating, renaming, removing fail: EROFS
    PermissionDenied,  // the same with EACCES, as in a folder the user may not write
};

// Runs `work` under the refusal and waits for it. False when the system
// offers no way to refuse (work did not run; the test should skip).
bool RunWhileFilesRefused(FileRefusal refusal, const std::function<void()> &work);

// One kind of file call the system refuses with any error code, to see
// what a load or a save makes of each code it can meet.
enum class RefusedCall {
    OpenForWriting,  // opening a file for writing or creating it
    Read,            // reading from a file (descriptors above 2)
    OpenFolder,      // opening a folder as such (O_DIRECTORY)
    SyncFolder,      // syncing a folder (fsync, fdatasync); a file's sync passes
    ChangeOwner,     // giving a file another owner (its group alone may change)
};

// Runs `work` while that call fails with `code` and waits for it. False when
// the system offers no way to refuse (work did not run; the test should skip).
// A folder's sync is told from a file's by the calling thread, which the
// system asks about each sync the work makes.
bool RunWhileCallsRefused(RefusedCall call, int code, const std::function<void()> &work);
