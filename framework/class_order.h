#pragma once

// The class records of the framework's own classes, built at start-up in their fixed order. It
// names every control, so it stands above them all.

void RuntimeInitClasses();
