#pragma once

// Connects the effect and sound catalogues to the program's folders and
// settings store. Called once, before the catalogues are first used.
void configureCatalogues();
