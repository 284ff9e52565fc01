// The export's way in. Another program may call it in a copy of SETUP.EXE
// that lies away from its linked base and has no imports bound, so this
// file uses no absolute address of the module: it makes the module sound
// first, under a lock that two threads calling at once share, and only then
// runs the check, which is free to use globals, strings and imports.
#include "ffcompat/ffcompat.h"
#include "ffcompat/compatibility_check.h"
#include "ffcompat/own_imports.h"
#include "ffcompat/own_relocations.h"

static volatile LONG Preparing;

// The lock's address as the image's base plus its offset in the image, the
// offset written by the linker beside the code that reads it.
static volatile LONG* PreparingLock()
{
#if defined(__x86_64__)
    return &Preparing;
#else
    ULONG_PTR offset;
    __asm__("call 1f\n"
            "1:\tpopl %0\n\t"
            "movl 2f-1b(%0), %0\n\t"
            "jmp 3f\n"
            "2:\t.rva %c1\n"
            "3:"
            : "=r"(offset)
            : "i"(&Preparing));
    return (volatile LONG*)(RunningImageBase() + offset);
#endif
}

extern "C" BOOL WINAPI FFTBCompatibilityCheck(DWORD* flags)
{
    volatile LONG* lock = PreparingLock();
    while (__atomic_exchange_n(lock, 1, __ATOMIC_ACQUIRE) != 0)
        __builtin_ia32_pause();
    // Where the module cannot be made sound, no system function may be
    // called: that is Windows 95, 98 and Me, which lack the NT loader's
    // records, or a system that refuses the writes; the check answers as for
    // an unsupported Windows.
    int sound = RelocateOwnImageWhereDisplaced() && BindOwnImportsWhereUnbound();
    __atomic_store_n(lock, 0, __ATOMIC_RELEASE);
    if (!sound) {
        if (flags != NULL)
            *flags = FFTB_OLD_WINDOWS;
        return FALSE;
    }
    return CheckFirefoxToolbarCompatibility(flags);
}
