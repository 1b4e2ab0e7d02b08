#pragma once

// Runs the about box over the picker: the version and three buttons that open the project's
// web pages.
void ShowAboutBox();
