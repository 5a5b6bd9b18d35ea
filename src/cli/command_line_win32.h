// The second process's side of the command-line actions: the arguments, the
// console it was started from, and the forwarding to the running instance.
#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "devices/sound_devices.h"

namespace quendrel {

// The arguments after the program name, as CommandLineToArgvW splits them.
std::vector<Utf16String> CommandLineArguments();

// kHelp: the usage on standard output, 0. kError: the error and the usage on
// standard error, 2.
int PrintUsage(const CommandLine& line);

// Sends the action to the running instance's configuration window and waits
// for its answer; prints the answer's text and returns it as the exit code.
int ForwardAction(const Action& action);

// The answer's text for the action, if it has one, on standard error.
void ReportAnswer(Answer answer, ActionKind kind);

// /devices: the active output devices on standard output, "N<TAB>name" a
// line, the default marked; 0.
int PrintOutputs(SoundDevices& devices);

}  // namespace quendrel
