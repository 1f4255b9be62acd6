;;; sloi.lsp - стандартные слои чертежа.

(setq *LIB_SLOI*
       '(("ОСИ" 1 "CENTER") ("СТЕНЫ" 7 "CONTINUOUS") ("ОКНА" 4 "CONTINUOUS")
         ("ДВЕРИ" 3 "CONTINUOUS") ("ЛЕСТНИЦЫ" 6 "CONTINUOUS")
         ("РАЗМЕРЫ" 2 "CONTINUOUS") ("ТЕКСТ" 2 "CONTINUOUS") ("ФОРМАТ" 7 "CONTINUOUS")))

(defun sloi (/ made)
  (setq made 0)
  (if (not (tblsearch "LTYPE" "CENTER"))
    (command "_.-LINETYPE" "_Load" "CENTER" "acadiso.lin" ""))
  (foreach s *LIB_SLOI*
    (if (not (tblsearch "LAYER" (car s)))
      (progn
        (command "_.-LAYER" "_New" (car s) "_Color" (cadr s) (car s)
                 "_Ltype" (caddr s) (car s) "")
        (setq made (1+ made)))))
  (princ (strcat "\nСоздано слоев: " (itoa made)))
  (princ))

(princ)
