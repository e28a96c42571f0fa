#pragma once
// The Local Land Use section of the input file, kept in step with the local
// land-use file of the program folder.
namespace LocalLandUseSection {

// Rewrites the Local Land Use working file from the local land-use file before
// a save.
void BuildLocalLandUseSection();

// Adds the opened file's own local land uses to the local land-use file.
void MergeLocalLandUse();

} // namespace LocalLandUseSection
