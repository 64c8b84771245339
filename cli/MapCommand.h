#pragma once

#include <string>

// `tavolin-cli map`: hands the call to tavolin-cli-map, installed beside
// tavolin-cli. Only that program links the window's widgets, so every other
// command starts without loading them.
class MapCommand
{
public:
    // Runs the sibling with the same arguments, standard input and output;
    // returns its exit status, or 2 with a message when it cannot be run.
    static int run(int argc, char **argv, std::string &err);
};
