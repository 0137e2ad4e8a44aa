#pragma once
// The engine's start-up: the core builds nodes without knowing the simplifier
// (it lies above the core), so a program installs the command layer into the
// core once, before its first entry. Every program, fuzz target, benchmark and
// test program that evaluates calls this once at start-up.

namespace zentrix::engine {

// Makes the core's node builders use the simplifier. Safe to call again.
void InstallEngine();

// Whether InstallEngine has run; the evaluator refuses to start without it.
bool EngineInstalled();

}  // namespace zentrix::engine
