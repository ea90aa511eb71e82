// Settings the platform's OpenGL driver reads from the environment when the context is made.
#pragma once

// Called before SDL starts, while no other thread of the program runs.
void PreferDriverSettings();
