#pragma once

// The whole program: reads the command line, answers what needs no window,
// then starts the game with the player's settings, scores, replays and pad,
// runs the frame loop and shuts everything down. Returns the exit status.
int RunGame(int argc, char** argv);
