#pragma once

// What a document leaves behind when its branch of the dispatcher returns.
enum class Outcome {
  Ended,       // printed (or nothing to print): the program ends now
  WindowOpen,  // a window stays open; the program ends when it closes
};
