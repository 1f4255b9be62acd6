;;; okno.lsp - оконный проем с двумя линиями остекления.

(defun okno (/ data c a w tk n)
  (if (setq data (proem_get))
    (progn
      (setq c (car data) a (cadr data) w (caddr data) tk (cadddr data)
            n (+ a (/ pi 2)))
      (lib_layer "ОКНА" 4)
      (proem_jambs data)
      (foreach off (list (/ tk 6) (/ tk -6))
        (command "_.LINE" (polar (polar c a (/ w 2)) n off)
                          (polar (polar c a (/ w -2)) n off) ""))
      (princ "\nОкно построено.")))
  (princ))

(defun c:okno () (okno))
(princ)
