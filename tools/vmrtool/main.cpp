// vmrtool: the command-line side of the programmer, for scripts and tests.
#include "vmrtool/Tool.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication qapp(argc, argv);
    CLI::App app{"VMR-417 codeplug and radio tool"};
    app.require_subcommand(1);
    int exitCode = vmrtool::kOk;
    vmrtool::RegisterFileCommands(app, exitCode);
    vmrtool::RegisterTransferCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e, std::cerr, std::cerr);
        return vmrtool::kUsage;
    }
    return exitCode;
}
