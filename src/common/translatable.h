#pragma once

// Marks a text of the core for the translation tools, which read it as
// QT_TRANSLATE_NOOP; the window that shows it translates it in `context`.
#define KX700_TRANSLATE_NOOP(context, text) text
