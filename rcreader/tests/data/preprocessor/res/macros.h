// Found through -I only.
#define FROM_I_FOLDER
