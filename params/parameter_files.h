#pragma once
// Reading and saving the parameter files into parameterStore().
//
// File format: 8-bit text, the value in the first line (P26: two lines, P27:
// four), lines ended by CR LF or a bare LF, further lines ignored. A value is
// its line cut to the maximum length; a missing line gives an empty value.
// Saved files hold the value padded with spaces to the maximum length and
// CR LF.
//
// Paths: P6 and P7 lie at C:\DOVODO\DATA\P\P6.DAT and ...\P7.DAT; every
// other parameter n at "C:\" + P6 + "\P\P" + n + ".DAT".
//
// Every failing step goes to CheckIoResult, which ends the program (or
// throws IoError when the log cannot be written, see check_io_result.h).
// A P8 that is not one digit shows its conversion message through
// stopUi() and ends the program with kConversionExitCode, without beep or
// log line.

#include <string>

namespace vortena {

inline constexpr int kConversionExitCode = 1;

// The DOS path of parameter n's file, with P6 as the store holds it now.
std::string parameterPath(int number);

// Reads parameter n (5..40) into the store, or ends the program.
void readParameter(int number);
// Writes the store's value of parameter n to its file, or ends the program.
void saveParameter(int number);

// All files in the order P6, P7, P5, P8, P9 ... P40.
void LoadParameters();

void ReadParameterP5();
void ReadParameterP6();
void ReadParameterP7();
void ReadParameterP8();
void ReadParameterP9();
void ReadParameterP10();
void ReadParameterP11();
void ReadParameterP12();
void ReadParameterP13();
void ReadParameterP14();
void ReadParameterP15();
void ReadParameterP16();
void ReadParameterP17();
void ReadParameterP18();
void ReadParameterP19();
void ReadParameterP20();
void ReadParameterP21();
void ReadParameterP22();
void ReadParameterP23();
void ReadParameterP24();
void ReadParameterP25();
void ReadParameterP26();
void ReadParameterP27();
void ReadParameterP28();
void ReadParameterP29();
void ReadParameterP30();
void ReadParameterP31();
void ReadParameterP32();
void ReadParameterP33();
void ReadParameterP34();
void ReadParameterP35();
void ReadParameterP36();
void ReadParameterP37();
void ReadParameterP38();
void ReadParameterP39();
void ReadParameterP40();

// The caller first puts the new value into parameterStore().
void SaveParameterP35();
void SaveParameterP37();
void SaveParameterP38();
void SaveParameterP39();
void SaveParameterP40();

}  // namespace vortena
