#pragma once
#include "cli/Arguments.h"
#include "editors/StationCatalogue.h"
#include <memory>

// What every command shares: the common options and the catalogue, found
// and read the first time a command needs it.
class TCliContext {
public:
    explicit TCliContext(const TArguments& args);

    const TArguments& args;
    bool verbose = false;
    bool quiet = false;
    bool json = false;

    // The catalogue; null when none can be read (the reason is printed
    // when required, or with --verbose).
    const TStationCatalogue* Catalogue(bool required);

    // Prints the message of a usage or input error and gives its exit code.
    int InputError(const QString& message) const;
    // A note on standard error, with --verbose only.
    void Note(const QString& message) const;

    // Standard input can be read once per command; false when it was.
    bool TakeStandardInput();

private:
    bool tried = false;
    bool inputTaken = false;
    std::unique_ptr<TStationCatalogue> catalogue;
    QString failure;
};

// The baud rate of --baud (default 4800); false for a rate the station
// protocol does not run at.
bool BaudOption(const TArguments& args, int& baud, QString* reason);
