// dqxhost: runs the add-in in the embedded word processor as a user does in Word or WPS: opens a
// document, loads the registered add-in (registering the one installed with dqxhost first when none
// is), shows its menu and clicks its buttons.
//
//     dqxhost [--ks] DOCUMENT [--at-paragraph N | --at-page N] [--answer TEXT]... [--menu]
//             [--click CAPTION]... [--save OUT.docx]
//
// --ks loads the WPS build instead of the Word build. The exit code is 0 when every step ran, 1 with
// a message on the standard error stream when one could not (HostSession.h).
#include "tools/dqxhost/HostArguments.h"
#include "tools/dqxhost/HostSession.h"

#include <iostream>

int main(int argc, char** argv) {
    const dqxhost::ParsedArguments parsed =
        dqxhost::parseHostArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.arguments) {
        std::cerr << "dqxhost: " << parsed.problem << '\n' << dqxhost::HostUsage << '\n';
        return 1;
    }
    try {
        dqxhost::runHost(*parsed.arguments, std::cout);
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "dqxhost: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
