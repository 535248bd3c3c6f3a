/* SKLADLIB: the catalogue library's five exports, for C and C++ callers.
 *
 * Every string argument is the address of a length-prefixed string: one
 * length byte, then the characters (DOS code page 852). The library copies
 * the strings at entry and never changes them. Paths of the catalogue files
 * are fixed on drive C:, which VORTENA_DRIVE_C maps to a host folder.
 *
 * On 32-bit Windows the exports keep the suite's stack contract: arguments
 * pushed first-listed first, the export pops them (8 bytes for PridajSklad,
 * 4 for VymazSklad and NajdiSklad), a one-byte result. That is __stdcall
 * with the argument list reversed, exported without decoration; the
 * declarations below are written in that reversed order for such callers.
 * Elsewhere they are plain C functions with the arguments in their natural
 * order.
 *
 * An input/output failure inside an export writes CHYBOVNIK.TXT in the
 * current folder, shows a console notice and ends the calling process. */
#ifndef SKLADLIB_H
#define SKLADLIB_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#  define SKLADLIB_CALL __stdcall
#  if defined(SKLADLIB_BUILDING)
#    define SKLADLIB_API __declspec(dllexport)
#  else
#    define SKLADLIB_API __declspec(dllimport)
#  endif
#else
#  define SKLADLIB_CALL
#  if defined(SKLADLIB_BUILDING)
#    define SKLADLIB_API __attribute__((visibility("default")))
#  else
#    define SKLADLIB_API
#  endif
#endif

#if defined(_WIN32)
/* Reversed for __stdcall: the number is pushed first, so it is declared last. */
SKLADLIB_API void SKLADLIB_CALL PridajSklad(const unsigned char* name, const unsigned char* number);
#else
/* Adds a warehouse, or renames the one with this number. */
SKLADLIB_API void SKLADLIB_CALL PridajSklad(const unsigned char* number, const unsigned char* name);
#endif

/* Deletes the warehouse with this number; nothing when there is none. */
SKLADLIB_API void SKLADLIB_CALL VymazSklad(const unsigned char* number);

/* 1 when a warehouse with this number exists, else 0. */
SKLADLIB_API unsigned char SKLADLIB_CALL NajdiSklad(const unsigned char* number);

/* Adds or renames the warehouses listed in C:\DOVODO\OVLACC\VstupSklady.DAT
 * and deletes that file. */
SKLADLIB_API void SKLADLIB_CALL PridajSkladyZTextovehoSuboru(void);

/* Reprices the goods catalogue from the rates in C:\DOVODO\DATA\SADZDPH.DAT. */
SKLADLIB_API void SKLADLIB_CALL ZmenSadzbyDPHVKataloguTovarov(void);

#ifdef __cplusplus
}
#endif

#endif /* SKLADLIB_H */
