#pragma once

#include <string>

// Where the images installed with the program lie, relative to the folder
// that holds the program: "../share/zarn-demo/datas" on Linux, "datas" beside
// the .exe on Windows.
extern const char kInstalledImages[];

// The folder the five images are read from: datas/ under the current
// directory when there is one; otherwise the images installed with the
// program, when they are there; otherwise datas/ still (then every image is
// missing, as a program run from its build folder finds it).
std::string ImageFolder();

// The same choice, given the program's folder ('/' separators, empty when not
// known): "datas", or the installed folder with its ".." steps taken.
std::string ChooseImageFolder(const std::string& programFolder);

// The folder holding the running program's file, with '/' separators; empty
// when the system cannot say. Each platform has its own.
std::string ProgramFolder();
