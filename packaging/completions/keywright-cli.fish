# fish completion for keywright-cli

complete -c keywright-cli -f
complete -c keywright-cli -s l -l length -x -d 'Password length (default 6)'
complete -c keywright-cli -s t -l type -x -a 'letters digits mixed' -d Characters
complete -c keywright-cli -s c -l case -x -a 'lower upper mixed' -d 'Letter case'
complete -c keywright-cli -s p -l prefix -x -d 'Text placed before each password'
complete -c keywright-cli -s s -l suffix -x -d 'Text placed after each password'
complete -c keywright-cli -s m -l mask -x -d 'Format mask applied to each password body'
complete -c keywright-cli -s n -l count -x -d 'How many passwords to print (default 1)'
complete -c keywright-cli -l entropy -d 'Print the strength in bits instead of passwords'
complete -c keywright-cli -l symbols -d 'Add the printable ASCII punctuation'
complete -c keywright-cli -l chars -x -d 'Draw from these characters'
complete -c keywright-cli -l exclude -x -d 'Leave these characters out'
complete -c keywright-cli -l exclude-similar -d 'Leave out look-alikes such as 0 O 1 l'
complete -c keywright-cli -l every-class -d 'At least one character of each class chosen'
complete -c keywright-cli -l first-day-of-week -x -a '0 1 2 3 4 5 6 7' -d 'format: first day of the week'
complete -c keywright-cli -l first-week-of-year -x -a '0 1 2 3' -d 'format: first week of the year'
complete -c keywright-cli -s h -l help -d 'Show the help'
complete -c keywright-cli -l help-all -d 'Show the help with the options of Qt'
complete -c keywright-cli -s v -l version -d 'Show the version'
complete -c keywright-cli -n __fish_use_subcommand -a format -d 'Try a mask: format TEXT MASK'
