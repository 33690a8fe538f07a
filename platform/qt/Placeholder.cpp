// Qt front end.
