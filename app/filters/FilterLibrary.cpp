// The filter settings library; its parts live in the files beside this one.
