#pragma once
// A program run from a downloads folder must not load a DLL planted beside
// it: DLLs are looked up in the system folder only.
void RestrictDllSearchToSystemFolder() noexcept;
