// The import table of the module the export lives in. Windows loads an .EXE
// that another program maps with LoadLibrary as if with
// DONT_RESOLVE_DLL_REFERENCES: its import table still holds the names of
// the functions, and the first system call of the export would jump through
// one. The export binds the table itself before that call.
#pragma once

// 1 when this module's imports can be called: the loader bound them (setup
// runs as its own program, or the table was bound before), or they are
// bound now. 0 when they are unbound and cannot be bound here, having
// called nothing at all: no loader records of the NT family to find
// kernel32 by (Windows 95, 98 and Me), or a library or function missing.
// Reaches no imported function before the table is filled, and nothing in
// it may be reached through one. The module must already lie where its
// absolute addresses say, and one thread at a time may call this.
int BindOwnImportsWhereUnbound();
